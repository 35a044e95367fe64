4
0, "quoted, with comma"
6, "quoted, with comma"
10, span
13, 
2
1, 1, 1, x
4, 1, 0, span
2
2.1e+11, span
2.1e+11, "quoted, with comma"
1
8.5E-6, "quoted, with comma"
3
1, 2, 2, 1, 
2, 3, 2, 1, span
3, 4, 1, 1, 
0
2
4, -2, 2, 
2, 2, 3, "quoted, with comma"
