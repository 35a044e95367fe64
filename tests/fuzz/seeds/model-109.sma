7
0, span
5.5, 
11.5, "quoted, with comma"
13, 
15.5, 
19, span
20, 
2
1, 1, 0, x
7, 1, 0, span
1
2E8, span
1
0.0004, "quoted, with comma"
6
1, 2, 1, 1, 
3, 2, 1, 1, span
3, 4, 1
1, 
4, 5, 1, 1, "quoted, with comma"
6
5, 1
1, 
7
6, 1, 1, span
4
1, 2, -5, 3, 0, 0.25, span
6, 3, -3, 14, 1, 0, 
3, 2, 14
11, 0, 0.5, "quoted, with comma"
1, 2, 0, -5, 1, 0.25, x

0
