7
0, span
7.5, "quoted, with comma"
15, x
16.5, x
17.5, "quoted, with comma"
21.5, span
29.5, x
2
1, 1
0, "quoted, with comma"
7, 1, 0, 
1
2.1e+11, span
1
8.5E-6, "quoted, with comma"
6
1, 2, 1, 1, span
2, 3, 1, 1, x
3, 4, 1, 1, x
4, 5, 1, 1, "quoted, with comma"
5, 6, 1, 1, span
6, 7, 1, 1, x
2
2, 1, -5, -1, 1, 0.5, x
3, 1, 8, 0
0.5, 0.25, "quoted, with comma"
2
4, 3, 2, 
4, 3, 2, "quoted, with comma"
