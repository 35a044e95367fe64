6
0, x
5.5, 
6.5, 
12, 
15.5, x
19, "quoted, with comma"

2
1, 1, 0, span
6, 1, 0, "quoted, with comma"
1
2.1e+11, span
1
0.0004, 
5
1
2, 1, 1, x
2, 3, 1, 1, span
3, 4, 1, 1, "quoted, with comma"
4, 5, 1
1, "quoted, with comma"
5, 6
1, 1, span
0
1
3, -1, 0, span
