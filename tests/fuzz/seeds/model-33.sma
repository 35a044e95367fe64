6
0, span
3.5, 
11, x
17, span
21.5, span
24, "quoted, with comma"
2
1
1, 1, span
6, 1, 0, x
2
2.1e+11, 
2E8, "quoted, with comma"
2
8.5E-6, 
8.5E-6, "quoted, with comma"
5
2, 1, 1, 2, x
2, 3, 2, 1, "quoted, with comma"
3, 4, 1, 1, x
5, 4, 1, 1, 
5
6, 2, 2, "quoted, with comma"

4
3, 4, 4, -3, 1, 0.5, span
2, 4, 8
-4, 0.5, 0.25, x
4, 3, 3, 8, 0, 0, span
4, 2, 14, 8, 0, 0.25, x
2
5, 2, 2, "quoted, with comma"
6, -2, 2, span
