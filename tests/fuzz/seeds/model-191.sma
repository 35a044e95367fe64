7
0, x
9, span
12.5, span
13.5, 
16, span
21, "quoted, with comma"
28.5, x
2
1, 1, 1, "quoted, with comma"
7, 1, 0, span
1
2E8, "quoted, with comma"
1
0.0004, span
6
1, 2, 1, 1, x
2, 3, 1
1, 
3, 4, 1, 1, 
4, 5, 1, 1, "quoted, with comma"
5, 6
1, 1, x
6, 7, 1
1, 
2
1, 2, 10, -3
1, 0, 
2, 4, 8, 5, 0, 0, span
1
7, 3, 3, x
