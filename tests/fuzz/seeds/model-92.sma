
5
0, 
7.5, span
12, span
17, span
25.5, span
2
1, 1, 1, span
5, 1, 0, x
2
2E8, span
2E8, "quoted, with comma"
1
0.0004, 
4
1, 2, 2, 1, "quoted, with comma"
2, 3, 2, 1, x
3, 4
2, 1, span
5, 4, 2
1, x
1
1, 1, 2, 2, 0, 0.25, x
1
3, 2, 2, span
