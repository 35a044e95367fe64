3
0, span
8, span
15, x
2
1, 1, 0, 
3, 1, 0, 

2
2.1e+11, span
2E8, "quoted, with comma"

2
8.5E-6, span
0.0004, "quoted, with comma"
2
1, 2, 1, 2, 
2, 3, 1
2, "quoted, with comma"
2
2
4, 11, -4, 0.5, 0.5, x
1, 3, 13, 5, 0, 0.25, span
2
1, 1, 3, 
1, -2, 2, 
