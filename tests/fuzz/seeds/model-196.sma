4
0, 
3, "quoted, with comma"
4.5, "quoted, with comma"
13.5, 
2
1, 1, 0, 
4
1, 0, 
1
2.1e+11, span
2
8.5E-6, x
8.5E-6, span
3
1, 2, 1, 1, "quoted, with comma"
2, 3, 1, 2, "quoted, with comma"
3, 4, 1, 2, "quoted, with comma"

2
2, 2, 4, 10, 0.5, 0.25, 
3, 3, 1, 5, 0.5, 0, "quoted, with comma"
0
