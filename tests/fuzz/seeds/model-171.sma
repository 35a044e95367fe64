2
0, "quoted, with comma"
3, "quoted, with comma"
2
1, 1, 0, span
2, 1, 0, "quoted, with comma"
2
2E8, 
2.1e+11, 
2
0.0004, "quoted, with comma"
8.5E-6, "quoted, with comma"
1
2, 1, 1, 1, span
3
1, 3, 1, -4, 1, 0, "quoted, with comma"
1, 4, 4, 7, 0, 0.25, span
1, 4, -1
8, 1, 0.5, span
1
2, -2
2, 
