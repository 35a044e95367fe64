7
0, "quoted, with comma"
4.5, span
6.5, "quoted, with comma"
10.5, 
18.5, x
23.5, x
30, span
2
1, 1, 1, 
7, 1, 0, "quoted, with comma"
1
2.1e+11, x
1
8.5E-6, "quoted, with comma"
6
1, 2, 1, 1, "quoted, with comma"
2
3, 1, 1, span
3, 4, 1, 1, "quoted, with comma"
5, 4
1, 1, x
5
6, 1, 1, "quoted, with comma"
6
7, 1
1, 
2
3, 2, 11, 6, 0, 0.25, span
3, 2, 10, 2, 1, 0.5, span
2
5, -1, 2, "quoted, with comma"
4, -5, 0, span
