6
0, 
3, x
6, x
11.5, "quoted, with comma"
15.5, span
17.5, span
2
1, 1, 1, span
6, 1, 0, 
1
2E8, "quoted, with comma"
2
0.0004, x
8.5E-6, x
5
1, 2, 1, 2, span
2, 3, 1, 2, x
3, 4, 1, 2, x
4, 5, 1, 1, span
5
6, 1, 2, span
0
2
2, -5, 3, 
5, -2, 3, 
