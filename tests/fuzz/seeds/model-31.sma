5
0, 
7, x
10.5, "quoted, with comma"
19, span
24.5, 
2
1, 1, 1, 
5, 1, 0, "quoted, with comma"
1
2.1e+11, span
1
0.0004, "quoted, with comma"
4
1
2, 1, 1, 
2, 3, 1, 1, "quoted, with comma"
3, 4, 1, 1, x
4, 5, 1, 1, span
0
0
