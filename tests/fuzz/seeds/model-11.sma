3
0, span
5, x
10, 
2
1, 1, 1, "quoted, with comma"
3, 1, 0, "quoted, with comma"
1
2.1e+11, span
2
0.0004, x
8.5E-6, 
2
1, 2
1, 2, "quoted, with comma"
2, 3, 1, 1, span

2
1, 4, -2, -2, 0, 0, 
1, 4, 0, -2
0, 0, x
1
3, -3, 0, "quoted, with comma"
