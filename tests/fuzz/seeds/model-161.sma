4
0, "quoted, with comma"
7.5, "quoted, with comma"
11, span
15.5, x
2
1, 1
1, x
4, 1, 0, 
1
2.1e+11, x
1
0.0004, "quoted, with comma"
3
1, 2, 1, 1, "quoted, with comma"
3, 2, 1, 1, span
3, 4, 1, 1, 
3
2, 2
9
5, 0.5, 0.5, "quoted, with comma"
3
2, 10, 5, 1, 0.25, 
3, 1, 7, 13, 1, 0, 
1
3, -5
1, 
