3
0, x
1, 
3.5, "quoted, with comma"
2
1, 1, 0, x
3, 1, 0, "quoted, with comma"
2
2E8, span
2E8, "quoted, with comma"
2
0.0004, 
0.0004, span
2
2, 1, 1, 1, 
2, 3, 2, 1, "quoted, with comma"
0

1
1, 1, 2, span
