7
0, x
1.5, span
2.5, 
9, "quoted, with comma"
14, 
19.5, x
20.5, 

2
1, 1, 1, "quoted, with comma"
7, 1, 0, "quoted, with comma"
2
2.1e+11, x
2E8, 
2
0.0004, "quoted, with comma"
8.5E-6, x
6
1, 2, 2, 1, 
2, 3, 2, 1, span
3, 4, 1, 2, span
4, 5, 1, 1, x
5, 6, 2, 1, x
6, 7, 2, 2, "quoted, with comma"

1
2, 2, 8, 7, 1, 0, 
0
