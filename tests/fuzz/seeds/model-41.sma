7
0, "quoted, with comma"
1.5, 
7.5, span
12.5, "quoted, with comma"
14, 
17.5, x
23, 
2
1, 1, 1, x
7, 1
0, 
2
2.1e+11, x
2.1e+11, 

2
8.5E-6, "quoted, with comma"
0.0004, x
6
1, 2, 2, 1, span
2, 3, 2, 1, "quoted, with comma"
4, 3, 1, 1, span
4, 5, 1, 2, 
5, 6, 1, 2, x
6, 7, 2, 1, span
3
4, 2, 4, -4, 1, 0.25, span
4, 2, 2, 0, 0, 0, 
1, 4, 14, 11, 1, 0.5, x
1
4, -5, 2, 
