3
0, 
4, "quoted, with comma"
12, "quoted, with comma"
2
1, 1, 1, 
3, 1, 0, x
2
2.1e+11, x
2.1e+11, 
1
0.0004, span
2
1, 2
1, 1, x
2, 3, 2, 1, x
3
1, 4, 7, 12, 1, 0.5, "quoted, with comma"
1, 2, 4, 2, 1, 0, 
1, 2, -5, 1, 0.5, 0.5, "quoted, with comma"
2
3, 4, 1, "quoted, with comma"
1, -4, 1, x
