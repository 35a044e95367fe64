
2
0, span
5.5, 
2
1, 1, 1, span
2
1, 0, "quoted, with comma"
1
2.1e+11, x
1
0.0004, "quoted, with comma"

1
1, 2, 1, 1, span
2
1
4
1, -5, 1, 0.5, x
1, 4, -4, 5, 0, 0.25, 
2
2, -3, 1, "quoted, with comma"
2, 0, 2, x
