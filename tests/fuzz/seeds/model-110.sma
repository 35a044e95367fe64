2
0, "quoted, with comma"
2.5, "quoted, with comma"
2
1, 1, 1, 
2, 1, 0, 
1
2.1e+11, span
1
8.5E-6, span
1
1, 2, 1, 1, x
4
1, 4, 5, -1, 0, 0.25, "quoted, with comma"
1, 2, 4, 9, 0.5, 0.25, x
1, 4, 9, 1
0.5, 0.5, 
1, 1, 11, 4, 0.5, 0.5, x

2
2, -5, 1, "quoted, with comma"
2, -1, 2, "quoted, with comma"
