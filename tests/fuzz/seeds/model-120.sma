7
0, x
9.5, 
17, 
24, "quoted, with comma"
27, "quoted, with comma"
35, span
36.5, x
2
1, 1, 1, span
7, 1, 0, 
1
2E8, 

2
0.0004, 
8.5E-6, "quoted, with comma"
6
1, 2, 1, 1, 
3, 2
1
2, 
3, 4, 1
2, "quoted, with comma"
4, 5, 1, 1, 
5, 6, 1, 1, 
6, 7, 1, 2, span
2
4, 3, 3, 11, 0.5, 0, "quoted, with comma"
5, 4, -5, 13, 1, 0.5, x
1
6, -1, 1, "quoted, with comma"
