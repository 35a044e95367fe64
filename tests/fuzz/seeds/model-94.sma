
5
0, "quoted, with comma"
3, 
10, span
16.5, 
25.5, 
2
1, 1, 0, x
5, 1, 0, x
2
2.1e+11, span
2.1e+11, "quoted, with comma"
1
8.5E-6, "quoted, with comma"
4
1, 2, 1, 1, 
2, 3, 2, 1, x
3, 4, 1, 1, 
4, 5, 2, 1, x
2
1, 3, 3, -2, 0, 0.25, 
3, 4, 11, 3, 0.5, 0, x
2
5, -5, 3, x
4, 2, 1, "quoted, with comma"
