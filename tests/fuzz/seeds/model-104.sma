4
0, 
9, 
18, span
25, x
2
1, 1, 0, 
4, 1, 0, span
1
2.1e+11, span
1
8.5E-6, span
3
1, 2, 1, 1, span
2, 3, 1, 1, "quoted, with comma"
4, 3, 1, 1, span
4
3, 1, 1, 9, 0, 0.25, "quoted, with comma"
3, 4, -5, 2
0, 0.25, span
1, 4, 7, 1, 1, 0.5, "quoted, with comma"
1, 4, 8, 8, 0
0, "quoted, with comma"
2
2, 2
3, 
4, 3, 0, "quoted, with comma"
