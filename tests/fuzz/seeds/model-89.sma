2
0, x
3, "quoted, with comma"
2
1, 1, 0, "quoted, with comma"
2, 1, 0, span

1
2.1e+11, "quoted, with comma"
2
8.5E-6, 
0.0004, 
1
1, 2, 1, 1, x
3
1, 3, 1, 9, 0.5, 0, 
1, 2, 3, -5, 1, 0.5, span
1, 2, -1, 2, 0.5, 0.25, "quoted, with comma"
1
2
3, 2, x
