2
0, x
6, x
2
1, 1, 1, 
2, 1, 0, 
2
2E8, 
2.1e+11, span

1
0.0004, "quoted, with comma"
1
1, 2, 1, 1, "quoted, with comma"
2
1, 3, -4
12, 0.5, 0, "quoted, with comma"
1, 4, -1
12, 1, 0.5, 
1
1, 4, 0, 
