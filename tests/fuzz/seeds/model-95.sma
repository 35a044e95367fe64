6
0, 
4.5, span
13.5, span
18.5, x
22.5, "quoted, with comma"
27.5, 
2
1, 1, 0, span
6, 1, 0, span
1
2.1e+11, 

2
0.0004, span
8.5E-6, 
5
2, 1, 1, 2, "quoted, with comma"
2
3, 1, 2, span
3, 4, 1, 1, "quoted, with comma"
4, 5, 1, 1, "quoted, with comma"
5, 6, 1, 2, x
0
1
3, 4, 1, 
