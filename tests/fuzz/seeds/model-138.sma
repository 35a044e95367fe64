2
0, 
3.5, x
2
1, 1, 0, 
2
1, 0, x
2
2E8, "quoted, with comma"
2.1e+11, x
1
8.5E-6, "quoted, with comma"
1
1, 2, 1, 1, span
3
1, 3, 0, 13, 0.5, 0.5, span
1
3, 12, -2, 0, 0.5, 
1, 1
9, -4, 0, 0.25, span
1
2
-1, 2, span
