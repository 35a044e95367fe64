3
0, "quoted, with comma"
4.5, x
10, 
2
1, 1, 0, 
3
1, 0, 
2
2.1e+11, span
2.1e+11, x
2
8.5E-6, span
0.0004, x
2
2, 1, 1, 1, 
3, 2, 1
1, "quoted, with comma"
4
1, 3, 10, 10, 0, 0, 
1, 2, 11, 4, 0, 0.25, x
1, 3, -4, 9
1, 0, "quoted, with comma"
2, 1, 8, -5, 0, 0.5, 
0
