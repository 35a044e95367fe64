7
0, x
5, 
8.5, x
17.5, 
27, span
28.5, "quoted, with comma"
37.5, 
2
1, 1, 1, x
7, 1
0, "quoted, with comma"
2
2.1e+11, "quoted, with comma"
2E8, 
2
8.5E-6, x
8.5E-6, 

6
2, 1, 2, 2, x
2, 3, 1, 2, 
3, 4, 1, 2, "quoted, with comma"
4, 5, 2, 2, x
6, 5
1, 2, span
6, 7, 1, 1, x
3
2, 1, 2, 10, 1, 0.25, x
5, 2, 7, 14, 1, 0.5, span
2, 2, -5, 3, 0.5, 0, span
0
