7
0, x
6.5, "quoted, with comma"
13, 
21.5, span
24, 
26, "quoted, with comma"
27.5, 
2
1, 1, 0, x
7, 1
0, x
2
2E8, x
2E8, "quoted, with comma"
2
0.0004, "quoted, with comma"
0.0004, "quoted, with comma"
6
1, 2, 1
1, x
2, 3, 2, 1, x
3
4
1, 2, "quoted, with comma"
4, 5, 2, 2, "quoted, with comma"
6, 5, 1, 2, span
6, 7, 2, 2, span
4
4, 3, 13, 4, 0, 0.5, span
3, 4, 10, 14, 0, 0.5, x
1, 2, 11, 4, 1
0.25, 
3, 2, 14, 10, 0.5, 0, 
1
4, 1, 0, span
