2
0, span
5.5, "quoted, with comma"
2
1, 1, 0, "quoted, with comma"
2
1, 0, span
1
2.1e+11, 
1
8.5E-6, span
1
1, 2, 1, 1, "quoted, with comma"
0
2
1, -4, 3, x
2, -1, 3, span
