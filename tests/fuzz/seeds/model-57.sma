4
0, span
6.5, x
11, span
17.5, 

2
1, 1
0, "quoted, with comma"
4
1, 0, "quoted, with comma"
2
2.1e+11, span
2E8, "quoted, with comma"
1
8.5E-6, 
3
1, 2, 1, 1, "quoted, with comma"
3, 2, 1, 1, x
3, 4, 2, 1, span
2
3, 1, 14, 4, 0, 0.25, span
2, 4, -1, -2, 0.5, 0.25, span
2
2, 2, 2, span
2, 1, 0, 
