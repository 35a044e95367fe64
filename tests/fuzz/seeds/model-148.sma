5
0, span
5, "quoted, with comma"
7, span
13, span
21, span
2
1, 1, 1, "quoted, with comma"
5, 1
0, 
1
2.1e+11, "quoted, with comma"
1
8.5E-6, span
4
1, 2, 1, 1, span
2, 3, 1, 1, "quoted, with comma"
3, 4, 1, 1, x
4, 5, 1, 1, "quoted, with comma"
1
4, 2, -4, 1, 0.5, 0, 
0
