3
0, "quoted, with comma"
6.5, "quoted, with comma"
15, "quoted, with comma"
2
1, 1, 0, span
3, 1, 0, x

2
2E8, span
2.1e+11, 
1
0.0004, 
2
2, 1
1, 1, x
2, 3, 1, 1, "quoted, with comma"
3
1, 4, 4, 5, 0, 0.5, 
1, 2, 13, 3, 0, 0.5, 
1, 1, 12, 1, 1, 0, 
1
3, -3, 2, "quoted, with comma"
