4
0, x
3, span
4, "quoted, with comma"
11, x
2
1, 1, 1, "quoted, with comma"
4, 1, 0, "quoted, with comma"
1
2.1e+11, span
1
0.0004, "quoted, with comma"
3
2, 1, 1, 1, "quoted, with comma"
2, 3, 1, 1, span
3
4, 1, 1, "quoted, with comma"
1
3, 1, -3, 9, 1, 0.25, x
2
3, 1, 2, 
3, -3, 3, 
