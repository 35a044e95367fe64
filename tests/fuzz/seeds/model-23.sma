4
0, span
7.5, 
16, 
20.5, "quoted, with comma"
2
1, 1, 1, span
4, 1, 0, x
2
2E8, 
2.1e+11, "quoted, with comma"
2
0.0004, span
0.0004, 
3
1, 2, 2, 2, "quoted, with comma"
2, 3
2, 1, x
3
4, 2, 2, "quoted, with comma"

2
3, 4, 3, 14, 0.5, 0, "quoted, with comma"
3, 4, 12, 3, 0, 0, 
1
4, -4, 0, span
