6
0, span
8, 
15, x
24.5, span
33, x
42.5, 
2
1, 1, 1, x
6, 1, 0, "quoted, with comma"
2
2E8, 
2E8, span
1
0.0004, "quoted, with comma"
5
1, 2, 1, 1, "quoted, with comma"
2, 3, 2, 1, x
3, 4, 2, 1, 
5, 4
2, 1, span
5, 6, 1, 1, 

4
2, 1, 2, -3, 1, 0, span
3, 4, 12, 9, 1, 0, x
1, 1, 9, 5, 0.5
0, "quoted, with comma"
5, 1, 6, 7, 0, 0, 
0
