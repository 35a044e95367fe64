3
0, 
9.5, x
15.5, x
2
1, 1, 0, 
3, 1, 0, span
1
2.1e+11, 
2
8.5E-6, x
0.0004, span
2
1, 2
1
2, span
2, 3, 1, 1, "quoted, with comma"
4
2, 1, 10, 11
0.5, 0.5, span
2, 4, 7, -2, 0, 0, "quoted, with comma"
1, 3, 0, -4, 0.5, 0, 
2, 3, 9, 6, 0.5, 0, x

2
1, -3
3, "quoted, with comma"
2, 0
0, x
