7
0, span
8.5, 
14.5, x
20, x
21.5, 
22.5, "quoted, with comma"
29, "quoted, with comma"
2
1, 1
1, "quoted, with comma"
7, 1, 0, span
1
2E8, x
1
0.0004, 
6
1, 2, 1, 1, span
2
3, 1, 1, x
3
4, 1, 1, span
4
5, 1, 1, span
5, 6, 1, 1, 
6, 7, 1, 1, span
4
3, 1, 10
11, 1, 0.5, span
3, 2, 4, -3, 0, 0.5, span
6, 3, 3, 2, 1, 0.25, "quoted, with comma"
6, 3, 1, 10, 1, 0.5, "quoted, with comma"
2
2, 1, 2, "quoted, with comma"
6, -2, 0, span
