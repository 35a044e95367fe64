6
0, span
5.5, x
11, "quoted, with comma"
20, x
23, 
24, span
2
1, 1
0, 
6, 1, 0, "quoted, with comma"
1
2E8, "quoted, with comma"
2
8.5E-6, 
0.0004, x
5
1, 2, 1, 2, span
3, 2, 1
2, 
3
4, 1, 1, span
5, 4, 1, 1, x
6, 5, 1, 2, x
4
3, 3, 11, 0
0, 0.25, span
3, 4, 3, 9, 1, 0, span
1
2, 13, 7, 0.5, 0.5, 
2, 3
9, 2, 0, 0.25, x

0
