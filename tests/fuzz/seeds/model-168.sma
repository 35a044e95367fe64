7
0, x
3.5, 
12.5, 
17.5, span
25, x
29.5, x
37, span
2
1, 1, 1, x
7, 1, 0, span
1
2.1e+11, "quoted, with comma"
1
0.0004, span
6
2, 1, 1, 1, "quoted, with comma"
2, 3, 1, 1, 
3, 4, 1, 1, span
4, 5, 1, 1, "quoted, with comma"
6, 5, 1, 1, "quoted, with comma"
7
6, 1, 1, 
0
0
