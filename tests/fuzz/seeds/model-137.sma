7
0, span
7.5, 
14.5, 
17, span
24, span
30, span
32, 
2
1, 1, 1, "quoted, with comma"
7, 1, 0, 
2
2.1e+11, span
2E8, span
1
0.0004, "quoted, with comma"
6
2, 1, 1, 1, x
3, 2, 2, 1, span
3, 4, 1, 1, x
4
5, 2, 1, "quoted, with comma"
6, 5, 1
1, "quoted, with comma"
7, 6, 2, 1, "quoted, with comma"
0
1
4, 3, 0, span
