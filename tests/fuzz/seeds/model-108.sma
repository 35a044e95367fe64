5
0, span
7.5, x
9.5, x
17, x
20.5, "quoted, with comma"

2
1, 1, 0, 
5
1, 0, span
1
2.1e+11, x
1
8.5E-6, x
4
2, 1, 1, 1, 
2, 3, 1, 1, span
3
4, 1, 1, "quoted, with comma"
5, 4
1, 1, x
4
1, 4, -5, -5, 0, 0.25, x
2, 2, -3, -1
0, 0.5, "quoted, with comma"
2, 4, 0, 6, 1, 0.25, span
1, 1
1
12, 0, 0, x
2
5, 3, 2, 
4, 4, 3, 
