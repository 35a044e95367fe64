6
0, x
8.5, x
16.5, span
19, x
28.5, x
31.5, 
2
1, 1, 1, "quoted, with comma"
6, 1, 0, x
1
2.1e+11, span
1
0.0004, x
5
1, 2, 1, 1, "quoted, with comma"
3, 2, 1, 1, "quoted, with comma"
3, 4, 1, 1, "quoted, with comma"
5, 4, 1, 1, 
5, 6
1, 1, "quoted, with comma"
4
4, 2, 5, 1, 0
0, x
2, 1
5
8, 1, 0, 
5, 4, -3, -5, 1
0.5, 
3, 2, -5, -4, 0, 0, "quoted, with comma"
2
5, -3, 0, "quoted, with comma"
4, 4, 3, 
