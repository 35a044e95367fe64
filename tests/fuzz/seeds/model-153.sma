3
0, 
2, span
10.5, x
2
1, 1, 1, 
3, 1, 0, "quoted, with comma"
1
2.1e+11, span
1
0.0004, "quoted, with comma"
2
2, 1, 1, 1, 
2, 3, 1, 1, "quoted, with comma"
3
2, 2, 7, 8, 1, 0, x
2
2, 12, 6, 0.5, 0.25, span
2, 1, 6, 5
0, 0, 
0
