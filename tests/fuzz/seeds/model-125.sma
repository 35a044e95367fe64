7
0, span
1, 
7.5, "quoted, with comma"
15.5, "quoted, with comma"
23, "quoted, with comma"
25, 
30, "quoted, with comma"
2
1, 1, 0, "quoted, with comma"
7, 1, 0, span

1
2.1e+11, span
2
0.0004, "quoted, with comma"
8.5E-6, 
6
1, 2, 1
1, "quoted, with comma"
2, 3, 1, 1, span
3, 4
1, 2, 
4, 5, 1, 2, 
5
6, 1, 2, 
7, 6
1, 1, "quoted, with comma"
2
5, 4, 14, 9, 0.5, 0, span
6, 1
-5, 4, 0.5, 0.25, 
0
