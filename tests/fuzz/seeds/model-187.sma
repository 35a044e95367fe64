5
0, "quoted, with comma"
5.5, 
12.5, x
17.5, 
20, "quoted, with comma"
2
1, 1, 0, "quoted, with comma"
5, 1, 0, x
2
2.1e+11, x
2.1e+11, span
2
8.5E-6, span
0.0004, 
4
1, 2, 1, 2, 
2, 3, 2, 2, x
4, 3, 2, 2, span
4, 5
1, 1, x
2
3, 1, 10, 4, 0.5, 0.5, span
2, 4, -2, 9, 0.5, 0, 
0
