4
0, span
3, 
11.5, 
20.5, "quoted, with comma"

2
1, 1, 1, span
4, 1, 0, 
1
2.1e+11, x
1
8.5E-6, 
3
1
2, 1, 1, 
3, 2, 1, 1, 
4
3, 1, 1, span
2
3, 2, -2, 6, 0, 0.5, "quoted, with comma"
1, 3, 2, 13, 1, 0, "quoted, with comma"
2
4, -3, 3, span
1, 2
0, 
