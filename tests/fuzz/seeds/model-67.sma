5
0, "quoted, with comma"
9, 
14.5, 
23.5, 
27, x
2
1, 1, 1, span
5, 1, 0, "quoted, with comma"
2
2E8, span
2.1e+11, "quoted, with comma"

1
0.0004, "quoted, with comma"
4
1, 2, 2, 1, x
2, 3, 2, 1, "quoted, with comma"
4, 3
1, 1, span
4, 5, 2, 1, x
4
1, 4, 11, 14, 0.5, 0.5, "quoted, with comma"
2
2, -2, 1
1, 0, "quoted, with comma"
2, 1, 3, 1
0, 0, 
4, 4, 4, 11, 0, 0, "quoted, with comma"

1
2, -4, 2, "quoted, with comma"
