
4
0, 
3, x
6, 
12.5, span
2
1
1, 1, "quoted, with comma"
4, 1, 0, span
2
2E8, 
2.1e+11, "quoted, with comma"
1
8.5E-6, x
3
1, 2, 1, 1, x
2, 3
2, 1, "quoted, with comma"
4, 3, 1, 1, "quoted, with comma"
3
2
1, 11, 10, 0.5, 0, x
1, 2, 2, 7, 0, 0.5, "quoted, with comma"
1, 3, 11, 6, 1, 0.5, x
1
2, -4, 0, "quoted, with comma"
