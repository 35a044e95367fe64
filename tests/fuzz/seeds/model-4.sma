3
0, "quoted, with comma"
8, span
15, x
2
1
1, 0, 
3, 1, 0, span
2
2.1e+11, span
2E8, span
1
8.5E-6, 
2
1, 2, 1, 1, span
2, 3, 1, 1, "quoted, with comma"
4
1, 1, 11, 4, 1, 0.5, x
2, 2, 14, -1, 0, 0, 
2, 2, 9, -2
0, 0, "quoted, with comma"
1, 2, 10
-5, 0, 0.5, x
2
2, 3, 0, x
3, -1, 0, "quoted, with comma"
