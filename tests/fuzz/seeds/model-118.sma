4
0, "quoted, with comma"
8.5, 
12.5, 
14.5, 
2
1
1, 0, "quoted, with comma"
4, 1, 0, x
1
2.1e+11, 
1
8.5E-6, span
3
1, 2, 1, 1, "quoted, with comma"
3, 2, 1, 1, "quoted, with comma"
3, 4, 1, 1, 
1
2, 2, -2, 13, 0, 0.25, 
2
1, -3
3, span
4
4, 1, x
