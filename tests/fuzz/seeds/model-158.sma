7
0, 
6.5, span
7.5, x
12.5, span
16, span
20.5, span
30, "quoted, with comma"
2
1, 1, 0, span
7, 1, 0, 
1
2E8, 
2
8.5E-6, span
0.0004, "quoted, with comma"
6
1, 2, 1, 2, "quoted, with comma"
3, 2, 1, 1, "quoted, with comma"
4, 3, 1
1, x
4, 5, 1, 1, span
5, 6, 1
2, 
7, 6, 1, 2, "quoted, with comma"
3
3, 2, 14, 7, 0, 0.5, "quoted, with comma"
6
2, 1, 4, 1, 0.5, 
4, 2, 13, 2, 0, 0.5, x
1
7, -5, 1, span
