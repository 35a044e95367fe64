4
0, 
6, 
7, "quoted, with comma"
14.5, span
2
1
1, 1, 
4, 1, 0, span
2
2.1e+11, span
2E8, x
1
0.0004, 
3
1
2, 1, 1, 
2
3, 1, 1, 
3, 4
1, 1, span
2
3, 1, 3, 13, 0, 0.25, 
2, 2, 5, 6, 0.5, 0.25, "quoted, with comma"
0
