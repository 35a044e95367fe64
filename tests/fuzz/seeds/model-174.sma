2
0, x
2.5, 
2
1, 1, 1, 
2
1, 0, x
2
2.1e+11, x
2E8, x
2
0.0004, "quoted, with comma"
8.5E-6, "quoted, with comma"
1
2, 1, 1, 1, x
3
1, 4, 6, -1, 1, 0.25, 
1, 2, 11, -3
0, 0.25, "quoted, with comma"
1, 1, 4
-3, 1, 0.25, span
0
