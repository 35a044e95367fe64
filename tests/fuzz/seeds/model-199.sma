
6
0, "quoted, with comma"
7, x
14, x
17.5, x
21.5, 
27, x
2
1, 1, 1, span
6, 1, 0, "quoted, with comma"
1
2E8, "quoted, with comma"
2
0.0004, 
8.5E-6, x
5
1, 2
1, 2, span
2, 3, 1, 1, 
4, 3
1, 2, "quoted, with comma"
4, 5, 1, 1, 
5, 6, 1, 1, x
4
4, 2
9, 13, 0.5, 0.25, "quoted, with comma"
5, 2, 11, 1
0.5, 0.25, "quoted, with comma"
5, 2, -1, 6, 0.5, 0.5, span
4, 4, 14, 6, 0.5
0.25, x
1
1, 2, 1, 
