7
0, 
6, "quoted, with comma"
8.5, x
12.5, x
20, x
28, "quoted, with comma"
36.5, "quoted, with comma"
2
1, 1, 1, span
7
1, 0, 
2
2.1e+11, span
2E8, x
1
8.5E-6, x
6
2
1
2, 1, 
2, 3, 1, 1, span
3, 4, 2, 1, 
4, 5
1, 1, span
6, 5, 2
1, 
6, 7, 1, 1, "quoted, with comma"
0
0
