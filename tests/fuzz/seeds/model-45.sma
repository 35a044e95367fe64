3
0, 
3.5, "quoted, with comma"
7, 
2
1
1
0, x
3, 1, 0, "quoted, with comma"
2
2.1e+11, "quoted, with comma"
2.1e+11, "quoted, with comma"
2
8.5E-6, 
8.5E-6, 
2
1, 2, 2
2, 
2, 3, 1
2, x
1
2, 2, 0, 7
0.5, 0, "quoted, with comma"

2
3, -4, 0, "quoted, with comma"
3
0, 3, 
