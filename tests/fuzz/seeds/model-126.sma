
4
0, 
8.5, span
11, 
14.5, x
2
1
1, 0, span
4, 1, 0, "quoted, with comma"
1
2.1e+11, span
1
0.0004, x

3
1, 2, 1, 1, "quoted, with comma"
3
2, 1, 1, 
3, 4, 1, 1, x

0
0
