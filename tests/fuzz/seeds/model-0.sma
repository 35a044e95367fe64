2
0, x
2.5, span
2
1, 1, 1, span
2
1, 0, span

1
2E8, "quoted, with comma"
1
0.0004, 
1
2, 1, 1, 1, x
2
1, 4, 5, 0, 1, 0.5, span
1, 4, 3, -5
0, 0.25, x
0
