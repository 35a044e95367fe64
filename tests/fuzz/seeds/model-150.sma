5
0, 
6, span
7, "quoted, with comma"
14.5, "quoted, with comma"
16, x
2
1
1, 0, 
5, 1, 0, "quoted, with comma"
1
2.1e+11, span
2
8.5E-6, x
8.5E-6, 
4
1
2, 1, 1, 
3, 2, 1
1, "quoted, with comma"
4, 3, 1, 2, x
4, 5, 1, 2, x
0
1
5, 4
1, "quoted, with comma"
