7
0, 
9, x
10, span
12, x
18.5, x
24.5, x
27.5, x
2
1, 1
0, "quoted, with comma"
7, 1, 0, 
2
2.1e+11, x
2E8, span
1
0.0004, "quoted, with comma"
6
1, 2, 2, 1, x
2, 3, 2
1, x
3, 4, 1, 1, span
4, 5, 2, 1, x
5, 6, 2, 1, 
7, 6, 2, 1, 
4
3, 4, 6, 12, 1, 0.5, x
4, 2, -4, 0, 0, 0.25, "quoted, with comma"
4, 1, 3
5
1, 0, "quoted, with comma"
6, 4
-4, 8, 0.5, 0.25, x
1
5, -4, 2, "quoted, with comma"
