2
0, "quoted, with comma"
6.5, "quoted, with comma"
2
1, 1
0, "quoted, with comma"
2, 1
0, span
2
2.1e+11, 
2.1e+11, "quoted, with comma"
2
8.5E-6, "quoted, with comma"
8.5E-6, span
1
1, 2, 1, 1, 
0
1
2, 0, 2, 
