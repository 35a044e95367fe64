2
0, "quoted, with comma"
9, span
2
1, 1, 1, "quoted, with comma"
2
1, 0, x
2
2.1e+11, x
2.1e+11, 
2
0.0004, "quoted, with comma"
0.0004, x
1
1, 2, 1, 1, x
0

0
